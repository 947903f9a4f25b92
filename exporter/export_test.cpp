#include "exporter/export.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "exporter/contact_sheet.h"
#include "exporter/png.h"
#include "frames/bmp.h"
#include "frames/frame_set.h"

namespace valvetrain {
namespace fs = std::filesystem;
namespace {

class ExportTest : public testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() /
            ("valvetrain-export-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root_);
    fs::create_directories(root_);
  }
  void TearDown() override { fs::remove_all(root_); }

  static std::string Contents(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  // Files in `folder` whose names end in ".part".
  static int PartFiles(const fs::path& folder) {
    int count = 0;
    for (const auto& entry : fs::directory_iterator(folder)) {
      count += entry.path().extension() == ".part";
    }
    return count;
  }

  fs::path root_;
};

TEST_F(ExportTest, WritesFrame01ToFrame54InSlotOrderCreatingTheFolder) {
  const fs::path folder = root_ / "new" / "frames";
  ASSERT_EQ(ExportFrames(folder), std::nullopt);

  int files = 0;
  for (const auto& entry : fs::directory_iterator(folder)) {
    (void)entry;
    ++files;
  }
  EXPECT_EQ(files, 54);
  for (int number : {1, 2, 19, 54}) {
    char name[16];
    std::snprintf(name, sizeof name, "frame%02d.bmp", number);
    const auto expected = EncodeBmp(DrawFrame(number - 1));
    EXPECT_EQ(Contents(folder / name), std::string(expected.begin(), expected.end())) << name;
  }
}

TEST_F(ExportTest, RefusesUnusableFoldersWithAReasonAndWritesNothing) {
  std::ofstream(root_ / "a-file") << "not a folder";
  const struct {
    const char* name;
    fs::path folder;
  } cases[] = {
      {"the folder is a file", root_ / "a-file"},
      {"the folder's parent is a file", root_ / "a-file" / "frames"},
  };
  for (const auto& c : cases) {
    const std::optional<std::string> failure = ExportFrames(c.folder);
    ASSERT_TRUE(failure.has_value()) << c.name;
    EXPECT_NE(failure->find(c.folder.string()), std::string::npos) << c.name << ": " << *failure;
    EXPECT_EQ(failure->find('\n'), std::string::npos) << c.name << ": one line";
  }
  EXPECT_EQ(Contents(root_ / "a-file"), "not a folder");
}

TEST_F(ExportTest, AFailedPictureLeavesNoHalfWrittenFile) {
  const fs::path folder = root_ / "frames";
  fs::create_directories(folder / "frame05.bmp");  // a folder where a picture should go

  const std::optional<std::string> failure = ExportFrames(folder);

  ASSERT_TRUE(failure.has_value());
  EXPECT_NE(failure->find("frame05.bmp"), std::string::npos) << *failure;
  EXPECT_EQ(PartFiles(folder), 0);
  for (int number = 1; number <= 4; ++number) {
    EXPECT_EQ(fs::file_size(folder / ("frame0" + std::to_string(number) + ".bmp")), 11262u);
  }
  EXPECT_FALSE(fs::exists(folder / "frame06.bmp"));
}

TEST_F(ExportTest, ContactSheetIsAPngOfAllFiftyFourWithLabels) {
  const fs::path sheet = root_ / "sheet.png";
  ASSERT_EQ(ExportContactSheet(sheet), std::nullopt);
  const std::string png = Contents(sheet);
  ASSERT_GT(png.size(), 8u);
  EXPECT_EQ(png.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));

  const BlackWhiteImage image = DrawContactSheet();
  EXPECT_EQ(image.width, 12 + 18 * 212);
  EXPECT_EQ(image.height, 12 + 3 * (18 + 400 + 12));
  // Slot 21 (row 1, column 3) is copied unchanged, below its label.
  const FramePicture frame = DrawFrame(21);
  const int left = 12 + 3 * 212, top = 12 + 430 + 18;
  for (int y = 0; y < 400; ++y) {
    for (int x = 0; x < 200; ++x) {
      ASSERT_EQ(image.black[(top + y) * image.width + left + x] != 0, frame.IsBlack(x, y))
          << "(" << x << ", " << y << ")";
    }
  }
  int label_pixels = 0;
  for (int y = top - 18; y < top - 3; ++y) {
    for (int x = left; x < left + 30; ++x) label_pixels += image.black[y * image.width + x];
  }
  EXPECT_GT(label_pixels, 10) << "a slot number above the picture";

  EXPECT_TRUE(ExportContactSheet(root_ / "missing" / "sheet.png").has_value());
  EXPECT_FALSE(fs::exists(root_ / "missing"));
}

TEST_F(ExportTest, TheReadmesContactSheetIsCurrent) {
  const std::string committed = Contents(fs::path(VALVETRAIN_SOURCE_DIR) / "docs" / "frames.png");
  EXPECT_TRUE(committed == EncodePng(DrawContactSheet()))
      << "the pictures changed: refresh the README's sheet with\n"
      << "  build/bin/valvetrain-frames /tmp/frames --sheet docs/frames.png";
}

}  // namespace
}  // namespace valvetrain
