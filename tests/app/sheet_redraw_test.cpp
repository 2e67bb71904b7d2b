#include <QPainter>

#include "data/builtin_tables.h"
#include "data/data_files.h"
#include "data/table_fields.h"
#include "documents/specification_sheet.h"
#include "platform/canvas.h"
#include "test_support.h"
#include "widgets/widgets.h"
#include "window_fixture.h"

using SheetRedraw = WindowTest;

TEST_F(SheetRedraw, AShorterNameLeavesNoTraceOfALongerOne) {
    // The first system's name runs far past the sheet's frame; the second one is short.
    QString catalogue = BuiltInSystemCatalogue();
    catalogue.replace(QStringLiteral("Pelvanor 47,0.01"),
                      QStringLiteral("Pelvanor 47 Thermally Broken Heavy Duty Commercial,0.01"));
    WriteBytes(DataPath(kSystemFileName), FileBytesOfTableText(catalogue));
    Start();
    ASSERT_TRUE(Combo("ComboBox5")->currentText().startsWith(QStringLiteral("Pelvanor 47 T")));
    Choose("ComboBox5", 1);

    const SpecificationSheetData shortName = SpecificationSheetDataOf(
        LinesOfText(MemoText(Memo("Memo2"))), EditText("Edit1").toInt(),
        QStringLiteral("Pelvanor 55"), Combo("ComboBox1")->currentText(),
        Combo("ComboBox2")->currentText(), Combo("ComboBox3")->currentText(),
        Find<QRadioButton>("RadioButton1")->isChecked());
    QImage fresh = WhiteImage(417, 580);
    {
        QPainter painter(&fresh);
        Canvas canvas(painter);
        DrawSpecificationSheet(canvas, shortName);
    }
    const QImage& shown = Find<ImageWidget>("Image1")->Bitmap();
    EXPECT_EQ(shown.convertToFormat(QImage::Format_RGB32), fresh);
}
