// The checked-in inputs of every fuzz target, replayed: a reader that once broke on one stays
// mended.
#include "FuzzTargets.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace orvanta::fuzz;

TEST(FuzzCorpus, EveryReaderTakesItsInputs)
{
    for (size_t i = 0; i < TargetCount; ++i) {
        const QDir folder(QStringLiteral(ORVANTA_FUZZ_CORPUS "/") + QLatin1String(Targets[i].name));
        const QStringList files = folder.entryList(QDir::Files);
        EXPECT_FALSE(files.isEmpty()) << Targets[i].name;
        for (const QString &name : files) {
            QFile file(folder.filePath(name));
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            const QByteArray bytes = file.readAll();
            SCOPED_TRACE(qPrintable(file.fileName()));
            Targets[i].run(reinterpret_cast<const uint8_t *>(bytes.constData()),
                           size_t(bytes.size()));
        }
    }
}
