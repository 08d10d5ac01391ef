// The uninstaller's install list, any bytes as "FileList.txt" of its folder.
#include "FuzzInput.h"
#include "uninstaller/AppTable.h"
#include "uninstaller/SweepraDoc.h"

using namespace kestrowa;

namespace {
std::string AsIs(std::string_view bytes) { return std::string(bytes); }
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const ScratchFolder scratch;
    scratch.Write("FileList.txt", FuzzInput(data, size).All());
    CSweepraDoc doc(scratch.Path() + "Sweepra.exe", AsIs);
    doc.ReadInstalledNames();

    for (const std::string& name : doc.InstalledNames()) {
        // One whole line each, never a comment, and found again in any case.
        FUZZ_CHECK(!name.empty() && name.front() != ';' && name.find('\n') == std::string::npos);
        FUZZ_CHECK(name == ToLowerAscii(name));
        std::string upper = name;
        for (char& c : upper)
            if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        FUZZ_CHECK(doc.IsInstalled(name) && doc.IsInstalled(upper));
    }
    return 0;
}
