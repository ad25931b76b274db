// Checks the committed skins against what the windows expect of them: every image is there,
// decodable as far as its header goes, and of a size that fits the fixed geometry.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "common/client_rect.h"
#include "skin/frame_layout.h"
#include "skin/skin_dialogs.h"

namespace corvanti {
namespace {

struct PngHeader {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    int colour_type = -1;  // 2 opaque RGB, 6 RGBA
};

std::uint32_t BigEndian32(const unsigned char* bytes) {
    return static_cast<std::uint32_t>(bytes[0]) << 24 | static_cast<std::uint32_t>(bytes[1]) << 16 |
           static_cast<std::uint32_t>(bytes[2]) << 8 | static_cast<std::uint32_t>(bytes[3]);
}

// Reads the signature and the IHDR chunk; an unreadable or foreign file gives colour type -1.
PngHeader ReadPngHeader(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    unsigned char bytes[26] = {};
    in.read(reinterpret_cast<char*>(bytes), sizeof bytes);
    constexpr unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (!in || !std::equal(kSignature, kSignature + 8, bytes) ||
        std::string_view(reinterpret_cast<const char*>(bytes + 12), 4) != "IHDR" ||
        bytes[24] != 8) {
        return {};
    }
    return {BigEndian32(bytes + 16), BigEndian32(bytes + 20), bytes[25]};
}

std::filesystem::path SkinsRoot() {
    return std::filesystem::path(CORVANTI_SKINS_DIR);
}

struct FixedImage {
    std::string_view name;
    std::uint32_t width;
    std::uint32_t height;
};

// Images drawn over the backgrounds, with the size of the control they stand for. They carry
// per-pixel alpha for their rounded corners and glows.
constexpr FixedImage kControlImages[] = {
    {"button-normal.png", 105, 21},
    {"button-over.png", 105, 21},
    {"button-min-normal.png", 18, 18},
    {"button-min-over.png", 18, 18},
    {"button-close-normal.png", 18, 18},
    {"button-close-over.png", 18, 18},
    {"button-Skins-normal.png", 18, 18},
    {"button-Skins-over.png", 18, 18},
    {"button-PrePage-normal.png", 40, 40},
    {"button-PrePage-over.png", 40, 40},
    {"button-NextPage-normal.png", 40, 40},
    {"button-NextPage-over.png", 40, 40},
    {"DropdownBox-normal.png", 211, 21},
    {"DropdownBox-over.png", 211, 21},
    {"slider-RP-dark.png", 70, 11},
    {"slider-RP-light.png", 70, 11},
    {"slider-DPI-dark.png", 16, 16},
    {"slider-DPI-light.png", 16, 16},
    {"slider-dark.png", 24, 11},
    {"slider-light.png", 24, 11},
    {"Pane.png", 16, 16},
    {"PaneMakingTick.png", 16, 16},
};

// The main window's hotspots reach x = 875 and y = 644 (exclusive).
constexpr std::string_view kMainBackgrounds[] = {"main.png", "BasicSet2.png", "AdvancedSet2.png"};
constexpr std::uint32_t kMainMinWidth = 875;
constexpr std::uint32_t kMainMinHeight = 644;
// The dialogs' own controls reach x = 390 (mode and explanation texts).
constexpr std::uint32_t kDialogMinWidth = 390;

class SkinArtworkTest : public testing::TestWithParam<std::string> {
  protected:
    PngHeader Header(std::string_view name) const {
        return ReadPngHeader(SkinsRoot() / GetParam() / name);
    }
};

TEST_P(SkinArtworkTest, ControlImagesHaveTheirControlsSizeAndAlpha) {
    for (const FixedImage& image : kControlImages) {
        const PngHeader header = Header(image.name);
        EXPECT_EQ(header.colour_type, 6) << image.name;
        EXPECT_EQ(header.width, image.width) << image.name;
        EXPECT_EQ(header.height, image.height) << image.name;
    }
}

TEST_P(SkinArtworkTest, MainBackgroundsCoverEveryHotspot) {
    for (std::string_view name : kMainBackgrounds) {
        const PngHeader header = Header(name);
        EXPECT_EQ(header.colour_type, 2) << name << " is drawn with a plain copy";
        EXPECT_GE(header.width, kMainMinWidth) << name;
        EXPECT_GE(header.height, kMainMinHeight) << name;
    }
}

TEST_P(SkinArtworkTest, DialogBackgroundsHoldTheFrameButtons) {
    for (const SkinDialogInfo& dialog : SkinDialogTable()) {
        const PngHeader header = Header(dialog.background_image.substr(1));
        EXPECT_EQ(header.colour_type, 2) << dialog.background_image;
        EXPECT_GE(header.width, static_cast<std::uint32_t>(kFrameCancelArea.right));
        EXPECT_GE(header.width, kDialogMinWidth) << dialog.background_image;
        EXPECT_GE(header.height, static_cast<std::uint32_t>(kFrameCancelArea.bottom))
            << dialog.background_image;
    }
}

INSTANTIATE_TEST_SUITE_P(BothSkins, SkinArtworkTest, testing::Values("Default", "Frost"));

TEST(SkinDialogTableTest, EachDialogHasItsOwnTemplateAndBackground) {
    int expected_id = 701;
    for (const SkinDialogInfo& dialog : SkinDialogTable()) {
        EXPECT_EQ(dialog.template_id, expected_id++);
        EXPECT_TRUE(dialog.background_image.starts_with("/"));
        EXPECT_TRUE(dialog.load_failure_caption.ends_with("Load background image failed!!!"));
        EXPECT_EQ(&SkinDialogInfoOf(dialog.kind), &dialog);
    }
    EXPECT_EQ(expected_id, 709);
}

}  // namespace
}  // namespace corvanti
