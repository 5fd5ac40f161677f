// Class configuration items read as the host reads them (oapiReadItem_*).
#include <gtest/gtest.h>

#include <cstring>

#include "config_file.h"
#include "orbitersdk.h"

namespace {

const sim::ConfigFile kConfig = sim::ConfigFile::parse(
    "; Arvex core\n"
    "ClassName = Arvex/Arvex-Core\n"
    "  module   =  Arvex\\Arvex-Core   ; the module\n"
    "Mode = 2\n"
    "Mode = 0\n"
    "Gimble = 0.06981317\n"
    "Offset = two\n"
    "Adapter =\n"
    "Inertia = 1 2.5 -3\n"
    "EnableFocus = FALSE\n"
    "END_PARSE\n"
    "Fairing = 1\n");

FILEHANDLE handle() {
    return const_cast<sim::ConfigFile&>(kConfig).handle();
}

TEST(ConfigFile, ItemsMatchWithoutRegardToCaseAndTheFirstWins) {
    char text[512] = "untouched";
    EXPECT_TRUE(oapiReadItem_string(handle(), "MODULE", text));
    EXPECT_STREQ(text, "Arvex\\Arvex-Core");
    int mode = -1;
    EXPECT_TRUE(oapiReadItem_int(handle(), "mode", mode));
    EXPECT_EQ(mode, 2);
    double gimbal = 0.0;
    EXPECT_TRUE(oapiReadItem_float(handle(), "Gimble", gimbal));
    EXPECT_DOUBLE_EQ(gimbal, 0.06981317);
    VECTOR3 inertia{};
    EXPECT_TRUE(oapiReadItem_vec(handle(), "Inertia", inertia));
    EXPECT_DOUBLE_EQ(inertia.y, 2.5);
    EXPECT_DOUBLE_EQ(inertia.z, -3.0);
    bool focus = true;
    EXPECT_TRUE(oapiReadItem_bool(handle(), "EnableFocus", focus));
    EXPECT_FALSE(focus);
}

TEST(ConfigFile, AbsentEmptyOrUnreadableItemsLeaveTheVariable) {
    char text[512] = "untouched";
    EXPECT_FALSE(oapiReadItem_string(handle(), "Adapter", text));  // empty value
    EXPECT_FALSE(oapiReadItem_string(handle(), "Fairing", text));  // after END_PARSE
    EXPECT_STREQ(text, "untouched");
    double offset = 7.5;
    EXPECT_FALSE(oapiReadItem_float(handle(), "Offset", offset));
    EXPECT_EQ(offset, 7.5);
    int fairing = -1;
    EXPECT_FALSE(oapiReadItem_int(handle(), "Fairing", fairing));
    EXPECT_EQ(fairing, -1);
    EXPECT_FALSE(oapiReadItem_int(nullptr, "Mode", fairing));
}

}  // namespace
