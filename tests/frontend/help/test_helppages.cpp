// The help pages in the install tree: every topic the front-end's sources
// name opens a page, and every link between the pages leads somewhere.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>

#include "frontend/app/cquandorapp.h"
#include "tests/frontend/shell/gtestqt.h"

namespace kelvarin {
namespace {

const QString kDist = QStringLiteral(KELVARIN_DIST_DIR);
const QString kHelpFile = kDist + QStringLiteral("/Kelvarin.chm");

QString ReadText(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll());
}

QStringList FilesBelow(const QString& folder, const QStringList& patterns) {
  QStringList files;
  QDirIterator it(folder, patterns, QDir::Files, QDirIterator::Subdirectories);
  while (it.hasNext()) files << it.next();
  files.sort();
  return files;
}

// Every help topic named in a string of the front-end's sources, as in
// "htm/WizFiles.htm" or "%s::htm/WizLayout.htm": a wizard page added later
// brings its topic into this list by itself.
QStringList TopicsInSources() {
  static const QRegularExpression topic(QStringLiteral(R"re("(?:%s::)?/?(htm/[^"\s]+\.htm)")re"));
  QSet<QString> topics;
  for (const QString& source : FilesBelow(QStringLiteral(KELVARIN_FRONTEND_SOURCE_DIR),
                                          {QStringLiteral("*.cpp"), QStringLiteral("*.h")})) {
    auto matches = topic.globalMatch(ReadText(source));
    while (matches.hasNext()) topics.insert(matches.next().captured(1));
  }
  QStringList sorted(topics.begin(), topics.end());
  sorted.sort();
  return sorted;
}

TEST(HelpPages, EveryTopicTheSourcesNameOpensAPage) {
  const QStringList topics = TopicsInSources();
  ASSERT_FALSE(topics.isEmpty()) << "no help topic found in the front-end's sources";
  QStringList missing;
  for (const QString& topic : topics) {
    const QString page = CQuandorApp::HelpPage(kDist, kHelpFile + QStringLiteral("::") + topic);
    if (!QFileInfo(page).isFile()) missing << page;
  }
  EXPECT_EQ(QStringList(), missing);
}

TEST(HelpPages, HelpTopicsOpensTheStartPage) {
  EXPECT_TRUE(QFileInfo(CQuandorApp::HelpPage(kDist, kHelpFile)).isFile());
}

// A link or image that names no scheme must lead to a file of the install
// tree, and its #fragment to an id in that file.
TEST(HelpPages, EveryLocalLinkResolves) {
  static const QRegularExpression reference(QStringLiteral(R"re(\b(?:href|src)\s*=\s*"([^"]*)")re"),
                                            QRegularExpression::CaseInsensitiveOption);
  static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*:"));
  const QStringList pages = FilesBelow(kDist + QStringLiteral("/help"), {QStringLiteral("*.htm")});
  ASSERT_FALSE(pages.isEmpty());
  QStringList broken;
  for (const QString& page : pages) {
    auto matches = reference.globalMatch(ReadText(page));
    while (matches.hasNext()) {
      const QString link = matches.next().captured(1);
      if (scheme.match(link).hasMatch()) continue;
      const qsizetype hash = link.indexOf(QLatin1Char('#'));
      const QString path = hash < 0 ? link : link.left(hash);
      const QString fragment = hash < 0 ? QString() : link.mid(hash + 1);
      const QString target = path.isEmpty() ? page : QFileInfo(page).dir().absoluteFilePath(path);
      const bool found = QFileInfo(target).isFile() &&
                         (fragment.isEmpty() ||
                          ReadText(target).contains(QStringLiteral("id=\"%1\"").arg(fragment)));
      if (!found) broken << page + QStringLiteral(": ") + link;
    }
  }
  EXPECT_EQ(QStringList(), broken);
}

}  // namespace
}  // namespace kelvarin
