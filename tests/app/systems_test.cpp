#include <QSettings>

#include "data/builtin_tables.h"
#include "data/table_fields.h"
#include "window_fixture.h"

namespace {

// The Commercial column of each built-in system's first outer frame, in catalogue order.
const int kCommercialColumns[14] = {4, 5, 4, 6, 6, 7, 7, 8, 4, 4, 8, 7, 5, 5};

// The Domestic weight of three weights, worked out here independently of the program.
int DomesticColumn(double of, double vf, double tm) {
    if (of == 0 || vf == 0 || tm == 0) {
        return -1;
    }
    const long double w = (5420.0L * of + 4190.0L * vf + 1480.0L * tm) / 11090.0L;
    const double weight = static_cast<double>(w);
    return weight < 0.88 ? 1 : weight < 1.08 ? 2 : 3;
}

double WeightOf(const QString& code) {
    double weight = 0;
    for (const QString& line : LinesOfText(BuiltInWeightsTable())) {
        if (CsvField(line, 0) == code) {
            weight = TextToNumber(CsvField(line, 1), 0);
        }
    }
    return weight;
}

}  // namespace

using Systems = WindowTest;

TEST_F(Systems, EveryBuiltInSystemIsRatedForBothBuildingTypes) {
    Start();
    QComboBox* systems = Combo("ComboBox5");
    ASSERT_EQ(systems->count(), 14);
    for (int i = 0; i < systems->count(); ++i) {
        Choose("ComboBox5", i);
        QTest::mouseClick(Find<QRadioButton>("RadioButton1"), Qt::LeftButton);
        EXPECT_EQ(EditText("Edit1"), QString::number(kCommercialColumns[i]))
            << systems->currentText().toStdString();
        QTest::mouseClick(Find<QRadioButton>("RadioButton2"), Qt::LeftButton);
        const int domestic = DomesticColumn(WeightOf(Combo("ComboBox1")->currentText()),
                                            WeightOf(Combo("ComboBox2")->currentText()),
                                            WeightOf(Combo("ComboBox3")->currentText()));
        EXPECT_NE(domestic, -1) << "every offered code has a weight";
        EXPECT_EQ(EditText("Edit1"), QString::number(domestic))
            << systems->currentText().toStdString();
        // The grid's summary row shows the column's summary rating.
        const QStringList bre = LinesOfText(BuiltInBreRatingsTable());
        EXPECT_EQ(window_->GridCellTextAt(1, 15), CsvField(bre[18], domestic));
    }
}

TEST_F(Systems, LastSystemFromTheSettingsStore) {
    QSettings settings(QStringLiteral("VB and VBA Program Settings"), QStringLiteral("TarvexWER"));
    Start();
    EXPECT_EQ(Combo("ComboBox5")->currentIndex(), 0);
    settings.setValue(QStringLiteral("LastSystem"), QStringLiteral("Pelvanor 55,0.00"));
    settings.sync();
    window_->ButtonDefaultsClick(nullptr);
    EXPECT_EQ(Combo("ComboBox5")->currentText(), "Pelvanor 55,0.00");
    // It sets the selector only; the profiles are those of the system chosen before.
    EXPECT_EQ(Combo("ComboBox1")->currentText(), "PRF010");
    settings.remove(QStringLiteral("LastSystem"));
    settings.sync();
    window_->ButtonDefaultsClick(nullptr);
    EXPECT_EQ(Combo("ComboBox5")->currentText(), "");
}
