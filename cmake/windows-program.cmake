# ruvelka.exe: a GUI program for Windows XP and later, one self-contained
# file that imports only system DLLs.
enable_language(RC)

set(RUVELKA_WINDOWS_DEFINITIONS _WIN32_WINNT=0x0501 WINVER=0x0501 _WIN32_IE=0x0501)
set(RUVELKA_STATIC_LINK -static -static-libgcc -static-libstdc++)
set(RUVELKA_GUI_LINK
    -mwindows
    -Wl,--subsystem,windows:${RUVELKA_SUBSYSTEM_VERSION}
    -Wl,--major-os-version,5 -Wl,--minor-os-version,${RUVELKA_OS_VERSION_MINOR})

target_compile_definitions(ruvelka_core PUBLIC ${RUVELKA_WINDOWS_DEFINITIONS})

file(GLOB RUVELKA_WIN32_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/platform/win32/*.cpp)
add_executable(ruvelka WIN32
               ${CMAKE_SOURCE_DIR}/app/program_main.cpp
               ${RUVELKA_WIN32_SOURCES}
               ${CMAKE_SOURCE_DIR}/app/resources/ruvelka.rc)
target_link_libraries(ruvelka PRIVATE ruvelka_core
                      comctl32 ole32 oleaut32 uuid wininet wsock32 shell32 gdi32 user32 advapi32)
target_link_options(ruvelka PRIVATE ${RUVELKA_STATIC_LINK} ${RUVELKA_GUI_LINK})
set_target_properties(ruvelka PROPERTIES OUTPUT_NAME ruvelka)

if(RUVELKA_BUILD_TESTS)
  enable_testing()
  find_program(RUVELKA_OBJDUMP ${RUVELKA_TARGET_TRIPLE}-objdump REQUIRED)
  add_test(NAME imports_${CMAKE_SYSTEM_PROCESSOR}
           COMMAND ${CMAKE_SOURCE_DIR}/tests/imports/check_imports.sh ${RUVELKA_OBJDUMP}
                   $<TARGET_FILE:ruvelka> ${RUVELKA_SUBSYSTEM_VERSION})
endif()
