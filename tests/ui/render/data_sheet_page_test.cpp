// The data sheet's L2 label stays clear of the load diagram, whatever its length; each kind's
// page has its own title.
#include "ui/render/data_sheet_page.h"

#include <gtest/gtest.h>

#include <QLabel>

#include "core/conical/conical_sheet.h"
#include "core/drawing/illustration.h"
#include "core/extension/extension_sheet.h"
#include "ui/render/torsion_pictures.h"

namespace coilspring {
namespace {

TEST(DataSheetPage, TheL2LabelNeverCoversTheLoadDiagram) {
  const QRect diagram(kDataSheetPicturePlace.left + illustration::kLength2X,
                      kDataSheetPicturePlace.top + illustration::kLoadTopY,
                      illustration::kFreeRightX - illustration::kLength2X,
                      illustration::kLoadBottomY - illustration::kLoadTopY);
  for (const char* text : {"Ｌ２　= 15mm", "Ｌ２　= 123.5mm", "Ｌ２　= -1.235E-5mm"}) {
    DataSheet sheet;
    sheet.labels[2] = text;
    DataSheetPage page;
    page.Fill(sheet);
    const QLabel* l2 = page.findChild<QLabel*>(QStringLiteral("Label3"));
    ASSERT_NE(l2, nullptr);
    EXPECT_EQ(l2->text(), QString::fromUtf8(text));
    EXPECT_FALSE(l2->geometry().intersects(diagram))
        << text << " " << l2->x() << "," << l2->y() << " " << l2->width() << "x" << l2->height();
    EXPECT_GT(l2->x(), kDataSheetPicturePlace.left + illustration::kLeftX) << text;
  }
}

// The compression spring's page keeps its plain title, the other kinds' pages have their own.
TEST(DataSheetPage, EveryKindHasItsOwnTitle) {
  DataSheetPage compression, extension;
  compression.Fill(DataSheet{});
  extension.Fill(MakeExtensionDataSheet(ExtensionDesign{}, MaterialTable{}, false));
  EXPECT_EQ(compression.PageTitle(), "要目表");
  EXPECT_EQ(extension.PageTitle(), "要目表（引張コイルばね）");
  EXPECT_EQ(TorsionSheetPage(TorsionDesign{}, {}).PageTitle(), "要目表（ねじりコイルばね）");
  DataSheetPage conical;
  conical.Fill(MakeConicalDataSheet(ConicalDesign{}, MaterialTable{}, false));
  EXPECT_EQ(conical.PageTitle(), "要目表（円すいコイルばね）");
}

}  // namespace
}  // namespace coilspring
