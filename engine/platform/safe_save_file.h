#pragma once
// The one way files are written. The bytes go to a new file beside the target; only a
// complete write that the system accepted down to the last byte (flushed, synced and closed
// without error) is renamed over the target. Any failure leaves the previous file byte for
// byte and no temporary file behind, and names the system's reason ("No space left on
// device", "File too large").
//
// It is a QIODevice, so Qt's PDF and image writers write through it: their own write errors,
// which they do not report, are noticed here and refuse the commit. After the first failure
// every further write fails too.

#include <QIODevice>
#include <QString>

class SafeSaveFile : public QIODevice {
public:
    explicit SafeSaveFile(const QString& path);
    // A file that was not committed is discarded.
    ~SafeSaveFile() override;
    SafeSaveFile(const SafeSaveFile&) = delete;
    SafeSaveFile& operator=(const SafeSaveFile&) = delete;

    // With false, the commit never replaces a file that exists by then: it fails instead.
    void SetReplaceExisting(bool replace) { replaceExisting_ = replace; }

    // Creates the temporary file; `mode` must be write-only. False, with the reason in
    // errorString(), when the folder cannot take a file or the target is not a regular file.
    bool open(OpenMode mode) override;
    // Puts the written file in place of the target. False, with the reason in errorString(),
    // when any write failed or the file cannot be put in place; the target is then untouched.
    bool Commit();
    // Throws the written bytes away; the target is untouched.
    void Discard();
    // Whether a write has failed (the commit will refuse).
    bool HasFailed() const { return failed_; }
    // The path that the commit replaces (the target of a symbolic link).
    const QString& TargetPath() const { return target_; }

    bool isSequential() const override { return true; }
    void close() override { Discard(); }

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 size) override;

private:
    // Hands the buffered bytes to the system; false after a failure.
    bool FlushBuffer();
    void Fail(const QString& reason);
    void FailWithSystemReason(int code);
    void RemoveTemporary();

    QString target_;
    QString temporary_;
    int fd_ = -1;
    QByteArray buffer_;
    bool failed_ = false;
    bool replaceExisting_ = true;
};
