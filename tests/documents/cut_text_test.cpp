// The one warning for a company, project or date text that the certificate cuts.
#include "documents/cut_text.h"

#include <gtest/gtest.h>

TEST(CutText, EveryFieldThatRunsOffNamedWithWhatIsCut) {
    struct Case {
        QString company;
        QString project;
        QString date;
        QStringList cutFields;  // the fields warned of, in order
    };
    const Case cases[] = {
        {"Acme Glazing Ltd\nUnit 4", "Riverside School", "1 May 2024", {}},
        {"Acme Glazing Ltd\nUnit 4 Riverside Park, Leeds LS1 4AB",
         "Riverside Primary School – Phase 2",
         "1 May 2024",
         {"company", "project"}},
        {"", "", "Thursday the first of May two thousand and twenty-four", {"date"}},
    };
    for (const Case& c : cases) {
        const QStringList texts = CertificateCutTexts(c.company, c.project, c.date);
        ASSERT_EQ(texts.size(), c.cutFields.size()) << texts.join('|').toStdString();
        for (int k = 0; k < texts.size(); ++k) {
            const QString& field = c.cutFields[k];
            const QString& whole = field == "company"   ? c.company
                                   : field == "project" ? c.project
                                                        : c.date;
            // `project "– Phase 2" will be cut`: the part cut ends the text.
            const QString cut = texts[k].section('"', 1, 1);
            EXPECT_TRUE(texts[k].startsWith(field + " \"")) << texts[k].toStdString();
            EXPECT_TRUE(texts[k].endsWith("\" will be cut"));
            EXPECT_FALSE(cut.isEmpty());
            EXPECT_TRUE(whole.endsWith(cut)) << texts[k].toStdString();
            EXPECT_EQ(CutTextWarning(whole),
                      "Too long for the certificate: \"" + cut + "\" will be cut");
        }
    }
    EXPECT_EQ(CutTextWarning("Riverside School"), "");
}
