// The recorder's rewrite of the viewer's settings file at its start, on any file.
#include "FuzzInput.h"
#include "recorder/ViewerSettingsFile.h"

using namespace kestrowa;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const ScratchFolder scratch;
    const std::string path = scratch.Write("ORVELLE.INI", FuzzInput(data, size).All());

    ReadViewerSecondLog(path);
    ResetViewerSettings(path);
    const std::string once = scratch.Read("ORVELLE.INI");
    // Every line kept is ended by CR LF, and the viewer then opens on the own log.
    FUZZ_CHECK(once.empty() || once.ends_with("\r\n"));
    FUZZ_CHECK(ReadViewerSecondLog(path).empty());
    // The rewritten file is already what a rewrite gives: nothing more is lost or changed at the
    // next start.
    ResetViewerSettings(path);
    FUZZ_CHECK(scratch.Read("ORVELLE.INI") == once);
    return 0;
}
