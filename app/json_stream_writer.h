#pragma once
// Writes JSON as it goes, to a device, in the very bytes QJsonDocument::toJson(Indented) gives
// for the same values: four spaces an indent, numbers in their shortest form, strings escaped
// the same way. A summary of 100,000 components is never held in memory as a tree.
//
// QJsonObject orders its keys; the caller writes an object's keys in that order (by their
// UTF-16 code units, which for the ASCII keys used here is alphabetical).

#include <QByteArray>
#include <QString>
#include <vector>

class QIODevice;

class CJsonStreamWriter {
public:
    explicit CJsonStreamWriter(QIODevice* device);
    ~CJsonStreamWriter();
    CJsonStreamWriter(const CJsonStreamWriter&) = delete;
    CJsonStreamWriter& operator=(const CJsonStreamWriter&) = delete;

    void BeginObject();
    void EndObject();
    void BeginArray();
    void EndArray();
    // The key of the object member whose value comes next.
    void Key(const QString& key);
    void Value(const QString& text);
    void Value(qint64 number);
    void Value(int number) { Value(qint64(number)); }
    void Value(double number);
    void Value(bool on);
    void Null();

    // Writes what is still held back; false when the device refused a write.
    bool Flush();

    // A string as QJsonDocument writes it, without the quotes.
    static void AppendEscaped(const QString& text, QByteArray* out);
    // A number as QJsonDocument writes a double.
    static void AppendNumber(double number, QByteArray* out);

private:
    // What comes before a value: the separator and indent inside an array, nothing after a key.
    void BeforeValue();
    void Open(char bracket);
    void Close(char bracket);
    void Indent(int depth);
    void Spill();

    QIODevice* m_pDevice;
    QByteArray m_Buffer;
    std::vector<int> m_Levels;  // members written so far, per open container
    bool m_bAfterKey = false;
    bool m_bFailed = false;
};
