#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "core/component.h"
#include "platform/archive.h"
#include "platform/archive_exception.h"
#include "properties/property.h"

// The fuzz target starts from seeds the writer made; they must stay readable to the end, or
// the fuzzer starts from refusals.
TEST(ArchiveSeedCorpusTest, EverySeedReadsToItsEnd) {
    const QDir dir(QDir::cleanPath(QStringLiteral(QARN_TEST_DATA_DIR) +
                                   QStringLiteral("/../../fuzz/corpus/archive_reader")));
    const QStringList seeds = dir.entryList(QDir::Files);
    ASSERT_FALSE(seeds.isEmpty()) << dir.path().toStdString();
    for (const QString& name : seeds) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        QByteArray bytes = file.readAll();
        ASSERT_FALSE(bytes.isEmpty());
        const int shape = static_cast<unsigned char>(bytes[0]) % 3;
        bytes.remove(0, 1);
        CArchive in(CArchive::load, &bytes);
        QList<CObject*> owned;
        QList<CQarnProperty*> held;
        try {
            if (shape == 0) {
                while (!in.AtEnd()) {
                    owned.append(in.ReadObject(nullptr));
                }
            } else if (shape == 1) {
                in.ReadObjectList(RUNTIME_CLASS(CQarnProperty), CArchive::Sharing::Shared,
                                  [&held](CObject* o) {
                                      held.append(static_cast<CQarnProperty*>(o));
                                      held.last()->IncreaseRefCount();
                                  });
            } else {
                in.ReadObjectList(RUNTIME_CLASS(CQarnComponent), CArchive::Sharing::Exclusive,
                                  [&owned](CObject* o) { owned.append(o); });
            }
            EXPECT_TRUE(in.AtEnd()) << name.toStdString();
        } catch (const CArchiveException& e) {
            ADD_FAILURE() << name.toStdString() << ": " << e.what();
        }
        qDeleteAll(owned);
        for (CQarnProperty* p : held) {
            p->Remove();
        }
    }
}
