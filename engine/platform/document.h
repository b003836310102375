#pragma once
// The framework document's role: a path and title, a modified flag, the views attached to
// it, and the hooks a document class fills in (new, open, save, close).

#include <QList>
#include <QString>

#include "platform/object.h"

class CView;

class CDocument : public CObject {
    QARN_DECLARE_DYNAMIC(CDocument)

public:
    CDocument();
    ~CDocument() override;
    CDocument(const CDocument&) = delete;
    CDocument& operator=(const CDocument&) = delete;

    const QString& GetPathName() const { return m_strPathName; }
    void SetPathName(const QString& path);
    const QString& GetTitle() const { return m_strTitle; }
    void SetTitle(const QString& title) { m_strTitle = title; }
    bool IsModified() const { return m_bModified; }
    void SetModifiedFlag(bool modified = true) { m_bModified = modified; }

    void AddView(CView* view);
    void RemoveView(CView* view);
    const QList<CView*>& GetViews() const { return m_Views; }
    // Tells every view but the sender about a change.
    void UpdateAllViews(CView* sender, LPARAM hint = 0, CObject* hintObject = nullptr);

    // Empties the document and starts a new one.
    virtual bool OnNewDocument();
    // Reads the document from the "Contents" stream of the compound file through Serialize.
    // A fresh document of the same class reads the file and hands its contents over only once
    // the whole file has been read: on failure this document, its contents and its settings
    // stay exactly as they were, and *error says which file failed and why.
    virtual bool OnOpenDocument(const QString& path, QString* error = nullptr);
    // Writes the document through Serialize into a compound file; the old file is replaced
    // only after a complete write, so a failed save leaves it as it was.
    virtual bool OnSaveDocument(const QString& path, QString* error = nullptr);
    // Ends the document: its contents are released and the views detached.
    virtual void OnCloseDocument();
    // Releases everything the document holds.
    virtual void DeleteContents() {}

protected:
    // An empty document of the same class that a file is read into before it replaces the
    // contents of this one; null when the class cannot be created by name.
    virtual CDocument* CreateBlankDocument() const;
    // Called once a file has been read whole, just before this document's contents are
    // exchanged for the new ones: whatever refers to the old contents lets go of them here.
    virtual void OnContentsReplacing() {}
    // Exchanges everything the file holds (contents and stored settings) with the other
    // document, which is of the same class.
    virtual void SwapContents(CDocument& other) { (void)other; }

protected:
    QString m_strPathName;
    QString m_strTitle;
    bool m_bModified = false;
    QList<CView*> m_Views;
};
