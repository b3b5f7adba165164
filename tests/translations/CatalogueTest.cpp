// The English catalogue is kept by lupdate: run on the sources it must find every text already
// translated and change nothing, so a text added or changed without its English fails here.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>

#include "support/Catalogue.h"

namespace {

const QString kCatalogue = QStringLiteral(TONNELIX_SOURCE_DIR "/translations/tonnelix_en.ts");

QString Named(const testsupport::CatalogueEntry& e) {
    return e.context + QStringLiteral(": ") + e.source;
}

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(CatalogueTest, LupdateFindsEveryTextTranslatedAndChangesNothing) {
    QTemporaryDir work;
    ASSERT_TRUE(work.isValid());
    const QString copy = work.filePath(QStringLiteral("tonnelix_en.ts"));
    ASSERT_TRUE(QFile::copy(kCatalogue, copy));

    // The very update `make translations` runs, on the copy.
    QProcess lupdate;
    lupdate.start(QStringLiteral(TONNELIX_CMAKE),
                  {QStringLiteral("-DLUPDATE=" TONNELIX_LUPDATE),
                   QStringLiteral("-DSOURCE_DIR=" TONNELIX_SOURCE_DIR),
                   QStringLiteral("-DCATALOGUE=") + copy, QStringLiteral("-P"),
                   QStringLiteral(TONNELIX_LUPDATE_SCRIPT)});
    ASSERT_TRUE(lupdate.waitForFinished(120000));
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();
    // A warning means a text lupdate could not place, which no catalogue would then hold.
    EXPECT_EQ(lupdate.readAllStandardError().toStdString(), "");

    const auto before = testsupport::ReadCatalogue(kCatalogue);
    const auto after = testsupport::ReadCatalogue(copy);
    ASSERT_FALSE(before.empty());

    QStringList kept;     // already marked in the catalogue as not finished or not in use
    QStringList vanished; // texts the sources no longer hold
    QStringList unfinished;
    QSet<QString> found;
    for (const auto& e : after) {
        found.insert(Named(e));
        if (!e.type.isEmpty()) unfinished << Named(e);
    }
    for (const auto& e : before) {
        if (!e.type.isEmpty()) kept << Named(e) + QStringLiteral(" (") + e.type + QLatin1Char(')');
        if (!found.contains(Named(e))) vanished << Named(e);
    }
    EXPECT_TRUE(unfinished.isEmpty())
        << "texts without their English (run make translations, then translate them):\n"
        << unfinished.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(vanished.isEmpty()) << "translations of texts the sources no longer hold:\n"
                                    << vanished.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(kept.isEmpty()) << kept.join(QLatin1Char('\n')).toStdString();
    // Otherwise the catalogue is in lupdate's own form, byte for byte.
    EXPECT_TRUE(Bytes(copy) == Bytes(kCatalogue))
        << "translations/tonnelix_en.ts is not as lupdate writes it: run make translations";
}

} // namespace
