// The data sheet's L2 label stays clear of the load diagram, whatever its length; each kind's
// page has its own title.
#include "ui/render/data_sheet_page.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <memory>

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

// The compression spring's page keeps its plain title and shows none; the other kinds' pages
// show theirs over the page, and the print job and the PDF take it.
TEST(DataSheetPage, EveryKindHasItsOwnTitle) {
  const MaterialTable materials{};
  DataSheetPage compression, extension;
  compression.Fill(DataSheet{});
  extension.Fill(MakeExtensionDataSheet(ExtensionDesign{}, materials, false));
  TorsionSheetPage torsion(TorsionDesign{}, {});
  const struct {
    const SheetPage* page;
    const DataSheetPage* shown;  // where the title is a label on the page
    const char* title;
  } kinds[] = {{&compression, &compression, "要目表"},
               {&extension, &extension, "要目表（引張コイルばね）"},
               {&torsion, nullptr, "要目表（ねじりコイルばね）"}};
  for (const auto& k : kinds) {
    EXPECT_EQ(k.page->PageTitle(), QString::fromUtf8(k.title));
    if (!k.shown) continue;
    const QLabel* label = k.shown->findChild<QLabel*>(QStringLiteral("SheetTitle"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->isVisibleTo(k.shown), k.shown == &extension) << k.title;
  }
}

}  // namespace
}  // namespace coilspring
