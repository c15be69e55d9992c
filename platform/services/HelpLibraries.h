#pragma once
// The libraries and routines a help file registers with RegisterRoutine:
// "name.dll" is loaded as libname.so from the folder of the program's own
// libraries, a routine is called with the argument kinds of its signature
// (i, I, u, U numbers; s, S texts), and a library with a notification entry
// hears the viewer's notices.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct HelpMacroArg;

class HelpLibraries {
public:
    explicit HelpLibraries(uint32_t viewerHandle);
    ~HelpLibraries();
    HelpLibraries(const HelpLibraries&) = delete;
    HelpLibraries& operator=(const HelpLibraries&) = delete;

    // False when the library or routine is missing or the signature is not supported.
    bool Register(std::string_view library, std::string_view routine, std::string_view signature);
    bool Has(std::string_view routine) const;
    // The tab page that the library's OpenTabDialog makes for the viewer (a
    // window of the layer, handed over to the viewer); 0 for none.
    int32_t OpenTab(std::string_view library);
    // nullopt when the arguments do not fit the signature.
    std::optional<int32_t> Call(std::string_view routine, const std::vector<HelpMacroArg>& args);
    // Every notice goes to each library with a notification entry.
    void Notify(uint16_t notice, int32_t value1, int32_t value2);

    // Where "name.dll" is looked for.
    static std::string LibraryPath(std::string_view library);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};
