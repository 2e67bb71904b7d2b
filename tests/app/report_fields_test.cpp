#include <QPlainTextEdit>

#include "test_support.h"
#include "window_fixture.h"

using ReportFields = WindowTest;

TEST_F(ReportFields, TextsTooLongForTheCertificateAreMarked) {
    Start();
    const QColor eRating(255, 178, 0);
    const QString tipStart = QStringLiteral("Too long for the certificate: \"");
    struct Case {
        const char* memo;
        const char* text;
        bool tooLong;
    };
    const Case cases[] = {
        {"MemoSim", "Acme Glazing Ltd", false},
        {"MemoSim", "Acme Glazing and Curtain Walling Ltd", true},
        {"MemoPro", "Riverside\nSchool of the Performing Arts Centre", true},
        {"MemoPro", "Riverside School", false},
        {"MemoDate", "12 March 2025", false},
        {"MemoDate", "", false},
    };
    for (const Case& c : cases) {
        QPlainTextEdit* memo = Memo(c.memo);
        memo->setPlainText(QString::fromUtf8(c.text));
        const QImage look = memo->grab().toImage();
        const QColor edge = PixelAt(look, 0, look.height() / 2);
        EXPECT_EQ(edge == eRating, c.tooLong) << c.text;
        if (!c.tooLong) {
            EXPECT_EQ(memo->toolTip(), "") << c.text;
            continue;
        }
        // The tip names the end of the long line that will be cut.
        const QString tip = memo->toolTip();
        EXPECT_TRUE(tip.startsWith(tipStart)) << tip.toStdString();
        EXPECT_TRUE(tip.endsWith(QLatin1String("\" will be cut"))) << tip.toStdString();
        const QString cut = tip.mid(tipStart.size()).chopped(13);
        EXPECT_FALSE(cut.isEmpty());
        EXPECT_TRUE(QString::fromUtf8(c.text).endsWith(cut)) << tip.toStdString();
    }
}
