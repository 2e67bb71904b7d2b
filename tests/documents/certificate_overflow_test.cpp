#include <QPainter>

#include <gtest/gtest.h>

#include "documents/certificate_page.h"
#include "platform/canvas.h"
#include "test_support.h"

namespace {

// Ink right of the company box's rules (which end at 600 on the 630-wide preview), below the
// rating box and above the footer.
bool InkPastTheRules(const CertificateData& data) {
    QImage page = WhiteImage(630, 891);
    {
        QPainter painter(&page);
        Canvas canvas(painter);
        DrawCertificatePage(data, canvas, 630, 891);
    }
    const QRect past =
        BoxOf(page, QRect(603, 190, 24, 600), [](QColor c) { return c.lightness() < 128; });
    return !past.isEmpty();
}

}  // namespace

// The field check agrees with the page: a text is reported exactly when the page draws it past
// the end of its rule, and what is reported is the end of the line.
TEST(CertificateFieldOverflow, ReportsWhatThePageDrawsPastItsRule) {
    const char* const texts[] = {
        "Acme",
        "Acme Glazing Ltd",
        "Acme Glazing and Curtain Walling Ltd",
        "WWWWWWWWWWWWWWW",
        "iiiiiiiiiiiiiiiiiiiiiiiiiiiiii",
        "Riverside\nSchool of the Performing Arts Centre",
    };
    for (const char* text : texts) {
        CertificateData data;
        data.Company = QString::fromUtf8(text);
        const QString cut = CertificateFieldOverflow(data.Company);
        EXPECT_EQ(!cut.isEmpty(), InkPastTheRules(data)) << text;
        EXPECT_TRUE(data.Company.endsWith(cut)) << text;
        if (!cut.isEmpty()) {
            // Without the reported end, the line fits.
            data.Company.chop(cut.size());
            EXPECT_EQ(CertificateFieldOverflow(data.Company), "") << text;
            EXPECT_FALSE(InkPastTheRules(data)) << text;
        }
    }
}
