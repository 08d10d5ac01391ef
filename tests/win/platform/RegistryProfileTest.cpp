#include <gtest/gtest.h>
#include <windows.h>

#include "platform/win/os/RegistryProfile.h"
#include "shared/RecorderSettings.h"

using namespace kestrowa;

namespace {

// Each test works under a key of its own below HKCU\Software\KestrowaTests and removes it.
class RegistryProfileTest : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = "Software\\KestrowaTests\\" +
                std::string(::testing::UnitTest::GetInstance()->current_test_info()->name());
        Remove();
    }
    void TearDown() override { Remove(); }
    void Remove() {
        std::wstring path(root_.begin(), root_.end());
        RegDeleteTreeW(HKEY_CURRENT_USER, path.c_str());
    }
    DWORD ValueType(const wchar_t* subkey, const wchar_t* value) {
        std::string full = root_ + "\\";
        std::wstring path(full.begin(), full.end());
        path += subkey;
        DWORD type = REG_NONE;
        RegGetValueW(HKEY_CURRENT_USER, path.c_str(), value, RRF_RT_ANY, &type, nullptr, nullptr);
        return type;
    }
    std::string root_;
};

TEST_F(RegistryProfileTest, MissingValuesReadAsTheirDefaults) {
    RegistryProfile profile(root_, "Kestrowa");
    EXPECT_EQ(Read(profile, recorder_key::Sec), 5);
    EXPECT_EQ(Read(profile, recorder_key::Correct), 2);
    EXPECT_EQ(Read(profile, recorder_key::AppDir), "");
    EXPECT_EQ(profile.ReadText("System", "Missing", "fallback"), "fallback");
}

TEST_F(RegistryProfileTest, IntegersAndTextsRoundTripWithTheirRegistryTypes) {
    RegistryProfile profile(root_, "Kestrowa");
    Write(profile, recorder_key::DayCount, 3);
    Write(profile, recorder_key::UpDown, -12);
    Write(profile, recorder_key::LastStart, "S 2011/05/03 08:15");
    Write(profile, recorder_key::AppDir, "C:\\Program Files\\ケストロワ\\");
    EXPECT_EQ(Read(profile, recorder_key::DayCount), 3);
    EXPECT_EQ(Read(profile, recorder_key::UpDown), -12);
    EXPECT_EQ(Read(profile, recorder_key::LastStart), "S 2011/05/03 08:15");
    EXPECT_EQ(Read(profile, recorder_key::AppDir), "C:\\Program Files\\ケストロワ\\");
    EXPECT_EQ(ValueType(L"Kestrowa\\System", L"DayCount"), static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(ValueType(L"Kestrowa\\System", L"LastStart"), static_cast<DWORD>(REG_SZ));
    // An integer read of a text value (and the reverse) falls back to the default.
    EXPECT_EQ(profile.ReadInt("System", "LastStart", 7), 7);
    EXPECT_EQ(profile.ReadText("System", "DayCount", "x"), "x");
}

TEST_F(RegistryProfileTest, NamesAreCaseInsensitive) {
    RegistryProfile writer(root_, "Kestrowa");
    Write(writer, recorder_key::AppDir, "C:\\Kestrowa\\");
    RegistryProfile reader(root_, "KESTROWA");
    EXPECT_EQ(reader.ReadText("SYSTEM", "appdir", ""), "C:\\Kestrowa\\");
}

}  // namespace
