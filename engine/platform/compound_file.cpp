#include "platform/compound_file.h"

#include <gsf/gsf-infile-msole.h>
#include <gsf/gsf-infile.h>
#include <gsf/gsf-input-memory.h>
#include <gsf/gsf-input.h>
#include <gsf/gsf-outfile-msole.h>
#include <gsf/gsf-outfile.h>
#include <gsf/gsf-output-memory.h>
#include <gsf/gsf-output.h>
#include <gsf/gsf-utils.h>

#include <QFile>
#include <QSaveFile>
#include <algorithm>

#include "platform/compound_storage.h"

namespace {

void InitGsf() {
    static const bool initialized = [] {
        gsf_init();
        return true;
    }();
    (void)initialized;
}

// Holds one reference of a GObject and drops it at the end of the scope.
template <class T>
class GRef {
public:
    explicit GRef(T* object = nullptr) : object_(object) {}
    ~GRef() {
        if (object_ != nullptr) {
            g_object_unref(object_);
        }
    }
    GRef(const GRef&) = delete;
    GRef& operator=(const GRef&) = delete;
    T* get() const { return object_; }
    explicit operator bool() const { return object_ != nullptr; }

private:
    T* object_;
};

void SetError(QString* error, const QString& text) {
    if (error != nullptr) {
        *error = text;
    }
}

// While a file is read, the library's complaints about damaged input (it checks block numbers
// and sizes as it goes and then fails the read) are kept from the terminal; the read's own
// result says what went wrong.
class QuietGsfChecks {
public:
    QuietGsfChecks() {
        for (const char* domain : kDomains) {
            handlers_[count_++] = g_log_set_handler(
                domain, GLogLevelFlags(G_LOG_LEVEL_CRITICAL | G_LOG_LEVEL_WARNING), &Ignore,
                nullptr);
        }
    }
    ~QuietGsfChecks() {
        for (int i = 0; i < count_; ++i) {
            g_log_remove_handler(kDomains[i], handlers_[i]);
        }
    }
    QuietGsfChecks(const QuietGsfChecks&) = delete;
    QuietGsfChecks& operator=(const QuietGsfChecks&) = delete;

private:
    static void Ignore(const gchar*, GLogLevelFlags, const gchar*, gpointer) {}
    // The library's core reports under the default domain (null).
    static constexpr const char* kDomains[] = {"libgsf:msole", "libgsf", nullptr};
    guint handlers_[3] = {0, 0, 0};
    int count_ = 0;
};

// What reading a tree may still take: the bytes of the file bound the bytes of its streams.
struct ReadBudget {
    qint64 bytesLeft;
};

bool ReadStream(GsfInput* input, const QString& path, ReadBudget* budget, QByteArray* data,
                QString* error) {
    const gsf_off_t size = gsf_input_size(input);
    if (size < 0 || size > budget->bytesLeft) {
        SetError(error, QStringLiteral("the stream \"%1\" claims %2 bytes, more than the file "
                                       "holds")
                            .arg(path)
                            .arg(qint64(size)));
        return false;
    }
    budget->bytesLeft -= size;
    data->resize(qsizetype(size));
    constexpr gsf_off_t kChunk = 1 << 16;
    for (gsf_off_t done = 0; done < size;) {
        const gsf_off_t n = std::min(kChunk, size - done);
        if (gsf_input_read(input, size_t(n), reinterpret_cast<guint8*>(data->data() + done)) ==
            nullptr) {
            SetError(error, QStringLiteral("the stream \"%1\" ends early").arg(path));
            return false;
        }
        done += n;
    }
    return true;
}

bool ReadStorage(GsfInfile* infile, const QString& path, int depth, ReadBudget* budget,
                 CCompoundStorage* storage, QString* error) {
    if (depth > CCompoundFile::kMaxStorageDepth) {
        SetError(error, QStringLiteral("storages nested deeper than %1 levels at \"%2\"")
                            .arg(CCompoundFile::kMaxStorageDepth)
                            .arg(path));
        return false;
    }
    const int count = gsf_infile_num_children(infile);
    for (int i = 0; i < count; ++i) {
        const char* rawName = gsf_infile_name_by_index(infile, i);
        const QString name = QString::fromUtf8(rawName != nullptr ? rawName : "");
        const QString childPath = path.isEmpty() ? name : path + QLatin1Char('/') + name;
        GRef<GsfInput> child(gsf_infile_child_by_index(infile, i));
        if (!child) {
            SetError(error, QStringLiteral("the entry \"%1\" cannot be opened").arg(childPath));
            return false;
        }
        // Streams answer -1 for their number of children, storages 0 or more.
        const bool isStorage =
            GSF_IS_INFILE(child.get()) && gsf_infile_num_children(GSF_INFILE(child.get())) >= 0;
        if (isStorage) {
            if (!ReadStorage(GSF_INFILE(child.get()), childPath, depth + 1, budget,
                             &storage->Storage(name), error)) {
                return false;
            }
        } else {
            QByteArray data;
            if (!ReadStream(child.get(), childPath, budget, &data, error)) {
                return false;
            }
            storage->SetStream(name, data);
        }
    }
    return true;
}

bool ValidName(const QString& name) {
    if (name.isEmpty() || name.size() > CCompoundFile::kMaxNameLength) {
        return false;
    }
    for (QChar c : name) {
        // Control characters are allowed: embedded objects name streams "\1Ole" and the like.
        if (c == u'/' || c == u'\\' || c == u':' || c == u'!' || c.unicode() == 0) {
            return false;
        }
    }
    return true;
}

bool WriteStorage(GsfOutfile* outfile, const CCompoundStorage& storage, const QString& path,
                  QString* error) {
    auto checkName = [&](const QString& name) {
        if (ValidName(name)) {
            return true;
        }
        SetError(error, QStringLiteral("\"%1\" in \"%2\" is not a valid storage or stream name "
                                       "(1 to %3 characters, none of / \\ : !)")
                            .arg(name)
                            .arg(path.isEmpty() ? QStringLiteral("/") : path)
                            .arg(CCompoundFile::kMaxNameLength));
        return false;
    };
    for (const QString& name : storage.StreamNames()) {
        if (!checkName(name)) {
            return false;
        }
        const QByteArray data = storage.Stream(name);
        GRef<GsfOutput> child(gsf_outfile_new_child(outfile, name.toUtf8().constData(), FALSE));
        const bool written =
            child && gsf_output_write(child.get(), size_t(data.size()),
                                      reinterpret_cast<const guint8*>(data.constData()));
        if (!child || !written || !gsf_output_close(child.get())) {
            SetError(error, QStringLiteral("the stream \"%1\" cannot be written").arg(name));
            return false;
        }
    }
    for (const QString& name : storage.StorageNames()) {
        if (!checkName(name)) {
            return false;
        }
        const QString childPath = path.isEmpty() ? name : path + QLatin1Char('/') + name;
        GRef<GsfOutput> child(gsf_outfile_new_child(outfile, name.toUtf8().constData(), TRUE));
        if (!child ||
            !WriteStorage(GSF_OUTFILE(child.get()), *storage.FindStorage(name), childPath, error)) {
            if (child) {
                gsf_output_close(child.get());
            }
            if (error != nullptr && error->isEmpty()) {
                *error = QStringLiteral("the storage \"%1\" cannot be written").arg(childPath);
            }
            return false;
        }
        if (!gsf_output_close(child.get())) {
            SetError(error, QStringLiteral("the storage \"%1\" cannot be written").arg(childPath));
            return false;
        }
    }
    return true;
}

}  // namespace

bool CCompoundFile::Read(const QByteArray& fileBytes, CCompoundStorage* root, QString* error) {
    InitGsf();
    QuietGsfChecks quiet;
    GRef<GsfInput> input(gsf_input_memory_new(
        reinterpret_cast<const guint8*>(fileBytes.constData()), fileBytes.size(), FALSE));
    if (!input) {
        SetError(error, QStringLiteral("the file cannot be read"));
        return false;
    }
    GError* gerror = nullptr;
    GRef<GsfInfile> infile(gsf_infile_msole_new(input.get(), &gerror));
    if (!infile) {
        QString reason = gerror != nullptr ? QString::fromUtf8(gerror->message) : QString();
        if (gerror != nullptr) {
            g_error_free(gerror);
        }
        SetError(error, reason.isEmpty() ? QStringLiteral("not a compound file")
                                         : QStringLiteral("not a compound file (%1)").arg(reason));
        return false;
    }
    CCompoundStorage tree;
    ReadBudget budget{fileBytes.size()};
    if (!ReadStorage(infile.get(), QString(), 0, &budget, &tree, error)) {
        return false;
    }
    *root = std::move(tree);
    return true;
}

bool CCompoundFile::ReadFile(const QString& path, CCompoundStorage* root, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        SetError(error, QStringLiteral("%1 cannot be opened: %2").arg(path, file.errorString()));
        return false;
    }
    if (file.size() > kMaxFileSize) {
        SetError(error, QStringLiteral("%1 is larger than %2 bytes").arg(path).arg(kMaxFileSize));
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        SetError(error, QStringLiteral("%1 cannot be read: %2").arg(path, file.errorString()));
        return false;
    }
    return Read(bytes, root, error);
}

bool CCompoundFile::Write(const CCompoundStorage& root, QByteArray* fileBytes, QString* error) {
    InitGsf();
    GRef<GsfOutput> sink(gsf_output_memory_new());
    GRef<GsfOutfile> outfile(sink ? gsf_outfile_msole_new(sink.get()) : nullptr);
    if (!outfile) {
        SetError(error, QStringLiteral("a compound file cannot be made"));
        return false;
    }
    QString reason;
    const bool written = WriteStorage(outfile.get(), root, QString(), &reason);
    const bool closed = gsf_output_close(GSF_OUTPUT(outfile.get()));
    if (!written || !closed) {
        SetError(error,
                 reason.isEmpty() ? QStringLiteral("the compound file cannot be written") : reason);
        return false;
    }
    const gsf_off_t size = gsf_output_size(sink.get());
    const guint8* bytes = gsf_output_memory_get_bytes(GSF_OUTPUT_MEMORY(sink.get()));
    // Closing the compound file has closed its sink too.
    *fileBytes = QByteArray(reinterpret_cast<const char*>(bytes), qsizetype(size));
    return true;
}

bool CCompoundFile::WriteFile(const QString& path, const CCompoundStorage& root, QString* error) {
    QByteArray bytes;
    if (!Write(root, &bytes, error)) {
        return false;
    }
    QSaveFile file(path);
    // Unbuffered, so that a short write shows at once: a buffered one would only fail while
    // committing, which then still puts the cut file in place.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        file.write(bytes) != bytes.size() || !file.commit()) {
        SetError(error, QStringLiteral("%1 cannot be written: %2").arg(path, file.errorString()));
        return false;
    }
    return true;
}

bool CCompoundFile::ReadContents(const QString& path, QByteArray* contents, QString* error) {
    CCompoundStorage root;
    if (!ReadFile(path, &root, error)) {
        return false;
    }
    const QString name = QString::fromLatin1(kContentsStream);
    if (!root.HasStream(name)) {
        SetError(error, QStringLiteral("%1 has no \"%2\" stream").arg(path, name));
        return false;
    }
    *contents = root.Stream(name);
    return true;
}

bool CCompoundFile::WriteContents(const QString& path, const QByteArray& contents, QString* error) {
    CCompoundStorage root;
    root.SetStream(QString::fromLatin1(kContentsStream), contents);
    return WriteFile(path, root, error);
}
