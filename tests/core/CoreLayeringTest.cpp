// The core decides everything that needs no widget, and is tested without one: no file under
// src/core may include a header of Qt's GUI, widget, chart or print modules, and only the store
// module (src/core/store) speaks SQL. Linking alone does not catch a header-only use of such a
// class, so the includes are read here.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

// The Qt module a header belongs to ("QtGui" for <QColor> or <QtGui/QColor>); empty for headers
// that are not Qt's.
QString qtModuleOf(const QString& header, const QDir& qtHeaders)
{
    if (header.startsWith(u"Qt") && header.contains(u'/'))
        return header.section(u'/', 0, 0);
    if (!header.startsWith(u'Q'))
        return {};
    if (QFileInfo::exists(qtHeaders.filePath(QStringLiteral("QtCore/") + header)))
        return QStringLiteral("QtCore");
    for (const QString& module : qtHeaders.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (QFileInfo::exists(qtHeaders.filePath(module + u'/' + header)))
            return module;
    }
    return {};
}

} // namespace

TEST(CoreLayeringTest, CoreIncludesNoGuiHeader)
{
    const QDir qtHeaders(QLibraryInfo::path(QLibraryInfo::HeadersPath));
    ASSERT_TRUE(QFileInfo::exists(qtHeaders.filePath(QStringLiteral("QtCore/QString"))))
        << "Qt headers not found at " << qtHeaders.path().toStdString();
    const QRegularExpression include(QStringLiteral(R"(^\s*#\s*include\s*<([^>]+)>)"),
                                     QRegularExpression::MultilineOption);
    QStringList offending;
    int files = 0;
    QDirIterator it(QStringLiteral(BELVANE_SOURCE_DIR "/src/core"), {QStringLiteral("*.h"), QStringLiteral("*.cpp")},
                    QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
        ++files;
        const QString text = QString::fromUtf8(file.readAll());
        for (auto match = include.globalMatch(text); match.hasNext();) {
            const QString header = match.next().captured(1);
            const QString module = qtModuleOf(header, qtHeaders);
            const bool allowed = module.isEmpty() || module == u"QtCore"
                                 || (module == u"QtSql" && file.fileName().contains(u"/src/core/store/"));
            if (!allowed)
                offending << QFileInfo(file.fileName()).fileName() + QStringLiteral(": <") + header + u'>';
        }
    }
    EXPECT_GT(files, 50);
    EXPECT_TRUE(offending.isEmpty()) << offending.join(QStringLiteral(", ")).toStdString();
}
