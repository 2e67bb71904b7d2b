#include "data/web_links.h"

#include <gtest/gtest.h>

#include "data/contact_texts.h"

namespace {
const QString kHost = contact::kSearchEngineHost;
}  // namespace

TEST(WebLinkAddress, HostCaptionOpensAsItIs) {
    EXPECT_EQ(WebLinkAddress(QStringLiteral("www.bre.co.uk")),
              QStringLiteral("http:\\\\www.bre.co.uk"));
    EXPECT_EQ(WebLinkAddress(contact::kMakerHost),
              QStringLiteral("http:\\\\") + contact::kMakerHost);
    // Two full stops are no ellipsis.
    EXPECT_EQ(WebLinkAddress(QStringLiteral("a..b")), QStringLiteral("http:\\\\a..b"));
    EXPECT_EQ(WebLinkAddress(QString()), QStringLiteral("http:\\\\"));
}

TEST(WebLinkAddress, EllipsisCaptionAsksTheSearchEngine) {
    EXPECT_EQ(WebLinkAddress(QStringLiteral("Find aluminium windows...")),
              QStringLiteral("http:\\\\") + kHost +
                  QStringLiteral("\\search?q=Find aluminium windows.&btnI"));
    // Only the first "..." counts, and only its first full stop is kept.
    EXPECT_EQ(WebLinkAddress(QStringLiteral("a....b...c")),
              QStringLiteral("http:\\\\") + kHost + QStringLiteral("\\search?q=a.&btnI"));
    EXPECT_EQ(WebLinkAddress(QStringLiteral("...")),
              QStringLiteral("http:\\\\") + kHost + QStringLiteral("\\search?q=.&btnI"));
    // The query goes in unchanged: no encoding of reserved characters or spaces.
    EXPECT_EQ(WebLinkAddress(QStringLiteral("R&D + 50%...more")),
              QStringLiteral("http:\\\\") + kHost + QStringLiteral("\\search?q=R&D + 50%.&btnI"));
}
