#include "adapter/configuration_script.h"

namespace ruvelka {

Text BuildConfigurationScript(const Text& name, const Text& address, const Text& mask, const Text& gateway,
                              const Text& dns) {
    const Text lineEnd = "\r\n";
    const Text quotedName = "\"" + name + "\"";
    return "int ip" + lineEnd +                                                                               //
           "set address name=" + quotedName + " source=static addr=" + address + " mask=" + mask + lineEnd +  //
           "set address name=" + quotedName + " gateway=" + gateway + " gwmetric=1" + lineEnd +               //
           "set dns name=" + quotedName + " source=static addr=" + dns;
}

}  // namespace ruvelka
