// The entries of a translation catalogue (.ts) as the tests read them.
#pragma once

#include <QFile>
#include <QString>
#include <QXmlStreamReader>

#include <vector>

namespace testsupport {

struct CatalogueEntry {
    QString context;
    QString source;
    QString translation;
    QString type; // "unfinished", "obsolete", "vanished"; empty for a finished translation
};

// Every message of the catalogue in file order; empty when the file cannot be read.
inline std::vector<CatalogueEntry> ReadCatalogue(const QString& path) {
    std::vector<CatalogueEntry> entries;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return entries;
    QXmlStreamReader xml(&file);
    QString context;
    CatalogueEntry entry;
    while (!xml.atEnd()) {
        if (!xml.readNextStartElement()) continue;
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            entry = {context, {}, {}, {}};
        } else if (name == QLatin1String("source")) {
            entry.source = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            entry.type = xml.attributes().value(QLatin1String("type")).toString();
            entry.translation = xml.readElementText();
            entries.push_back(entry);
        }
    }
    return entries;
}

} // namespace testsupport
