// GetPrivateProfileStringA with the profile reader's semantics.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "win_services.h"

namespace {

class ProfileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        path_ = (std::filesystem::temp_directory_path() /
                 ("runtime_ini_" + std::to_string(::getpid()) + ".ini"))
                    .string();
        std::ofstream(path_) << "; preferences\n"
                                "[Fairing1]\n"
                                "Name = Standard fairing  \n"
                                "Mesh=Arvex\\Fairings\\standard\n"
                                "Mass=14000 ; kg, not a comment for the profile reader\n"
                                "[fairing2]\n"
                                "NAME=\"Quoted name\"\n"
                                "Mass=\n";
    }
    void TearDown() override { std::filesystem::remove(path_); }

    std::string read(const char* section, const char* key, const char* def, DWORD size = 64,
                     DWORD* length = nullptr) {
        char buffer[64];
        std::memset(buffer, 'x', sizeof buffer);
        const DWORD n = GetPrivateProfileStringA(section, key, def, buffer, size, path_.c_str());
        if (length != nullptr) *length = n;
        return std::string(buffer, n);
    }

    std::string path_;
};

TEST_F(ProfileTest, ValuesDefaultsAndNamesWithoutRegardToCase) {
    struct Case {
        const char* section;
        const char* key;
        const char* def;
        std::string expected;
    };
    const Case cases[] = {
        {"Fairing1", "Name", "-ERROR-", "Standard fairing"},
        {"FAIRING1", "mesh", " ", "Arvex\\Fairings\\standard"},
        {"Fairing1", "Mass", "0", "14000 ; kg, not a comment for the profile reader"},
        {"Fairing2", "Name", "-ERROR-", "Quoted name"},
        {"Fairing2", "Mass", "0", ""},  // present but empty: not the default
        {"Fairing2", "Mesh", " ", ""},  // missing key: default, trailing blanks dropped
        {"Fairing3", "Name", "-ERROR-", "-ERROR-"},  // missing section
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.section) + "/" + c.key);
        EXPECT_EQ(read(c.section, c.key, c.def), c.expected);
    }
}

TEST_F(ProfileTest, MissingFileGivesTheDefault) {
    char buffer[16] = {};
    EXPECT_EQ(GetPrivateProfileStringA("Fairing1", "Mass", "0", buffer, sizeof buffer,
                                       "/no/such/dir/Arvex_Prefs.ini"),
              1u);
    EXPECT_STREQ(buffer, "0");
}

TEST_F(ProfileTest, ValueCutToTheBufferAndLengthReturned) {
    DWORD length = 0;
    EXPECT_EQ(read("Fairing1", "Name", "", 9, &length), "Standard");
    EXPECT_EQ(length, 8u);
    char buffer[9];
    GetPrivateProfileStringA("Fairing1", "Name", "", buffer, sizeof buffer, path_.c_str());
    EXPECT_EQ(buffer[8], '\0');
    EXPECT_EQ(read("Fairing3", "Name", "-ERROR-", 4, &length), "-ER");  // defaults are cut too
}

TEST_F(ProfileTest, SectionNamesListedWhenNoSectionGiven) {
    char buffer[64];
    const DWORD n =
        GetPrivateProfileStringA(nullptr, nullptr, "", buffer, sizeof buffer, path_.c_str());
    EXPECT_EQ(std::string(buffer, n), std::string("Fairing1\0fairing2\0", 18));
    EXPECT_EQ(buffer[n], '\0');
}

}  // namespace
