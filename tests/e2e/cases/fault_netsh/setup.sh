# Wine's own netsh is replaced by a spy (the last step removes the stand-in).
. "$E2E_UNIX_ROOT/tests/e2e/system_command_spies.sh"
system_command_spies_place
