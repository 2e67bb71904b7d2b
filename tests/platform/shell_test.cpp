#include "platform/shell.h"

#include <QDesktopServices>
#include <QObject>
#include <QUrl>

#include <gtest/gtest.h>

#include "data/contact_texts.h"
#include "data/web_links.h"
#include "url_recorder.h"

namespace {

class ShellOpenTest : public ::testing::Test {
protected:
    UrlRecorder recorder;
};

const QString kHost = contact::kSearchEngineHost;

}  // namespace

TEST(UrlOfAddress, BackslashesBeforeTheQueryReadAsSlashes) {
    const QUrl url = UrlOfAddress(QStringLiteral("http:\\\\www.x.com\\search?q=a.&btnI"));
    EXPECT_EQ(url.toString(), QStringLiteral("http://www.x.com/search?q=a.&btnI"));
    EXPECT_EQ(url.scheme(), QStringLiteral("http"));
    EXPECT_EQ(url.host(), QStringLiteral("www.x.com"));
    EXPECT_EQ(url.path(), QStringLiteral("/search"));
    EXPECT_EQ(url.query(), QStringLiteral("q=a.&btnI"));

    const QUrl site = UrlOfAddress(QStringLiteral("http:\\\\www.bre.co.uk\\greenguide\\"));
    EXPECT_EQ(site.toString(), QStringLiteral("http://www.bre.co.uk/greenguide/"));
    // An address written with slashes is taken as it is.
    EXPECT_EQ(UrlOfAddress(contact::kRatingBodyWebAddress).toString(),
              contact::kRatingBodyWebAddress);
}

TEST(UrlOfAddress, QueryIsKeptAsGiven) {
    const QUrl url =
        UrlOfAddress(QStringLiteral("http:\\\\h\\search?q=Find aluminium windows.&btnI"));
    EXPECT_TRUE(url.isValid());
    EXPECT_EQ(url.host(), QStringLiteral("h"));
    EXPECT_EQ(url.query(QUrl::PrettyDecoded), QStringLiteral("q=Find aluminium windows.&btnI"));
    // A backslash inside the query is part of the query, not a path separator.
    const QUrl slashQuery = UrlOfAddress(QStringLiteral("http:\\\\h\\s?q=a\\b"));
    EXPECT_EQ(slashQuery.path(), QStringLiteral("/s"));
    EXPECT_EQ(slashQuery.query(QUrl::PrettyDecoded), QStringLiteral("q=a\\b"));
    // A fragment before any query ends the part that is read as a path.
    const QUrl fragment = UrlOfAddress(QStringLiteral("http:\\\\h\\p#x\\y?z"));
    EXPECT_EQ(fragment.path(), QStringLiteral("/p"));
    EXPECT_EQ(fragment.fragment(QUrl::PrettyDecoded), QStringLiteral("x\\y?z"));
}

TEST_F(ShellOpenTest, HandsTheAddressToTheDesktopAsAUrl) {
    ShellOpen(WebLinkAddress(QStringLiteral("Find aluminium windows...")));
    ShellOpen(WebLinkAddress(QStringLiteral("www.bre.co.uk")));
    ASSERT_EQ(recorder.opened.size(), 2);
    EXPECT_EQ(recorder.opened[0].host(), kHost);
    EXPECT_EQ(recorder.opened[0].path(), QStringLiteral("/search"));
    EXPECT_EQ(recorder.opened[0].query(QUrl::PrettyDecoded),
              QStringLiteral("q=Find aluminium windows.&btnI"));
    EXPECT_EQ(recorder.opened[1], QUrl(QStringLiteral("http://www.bre.co.uk")));
}
