#pragma once
// An instance of a symbol: a component that draws an auto-shape template scaled into its
// rectangle, element by element, with the template components' own properties or its own.
// It refers to its template by number; consecutive numbers are the states of one symbol and
// the current state picks the one drawn.
//
// The template is looked up, never owned: first among the installed templates, then among
// the document's own copies, so that a drawing opens where the template file is not
// installed. The instance keeps what it found only while no template comes or goes
// (Qarn::GetTemplateGeneration), so it never draws with a template that was deleted, and it
// draws again once a missing template is installed. Without any template it draws and is hit
// as its plain rectangle.

#include <vector>

#include "core/component.h"

class CQarnAutoShapeTempl;

class CQarnAutoShape : public CQarnComponent {
    QARN_DECLARE_SERIAL(CQarnAutoShape)

public:
    // What the reader fills in.
    CQarnAutoShape();
    // An instance of the symbol numbered `templateNumber` on the rectangle; sizing keeps its
    // aspect ratio.
    explicit CQarnAutoShape(const RectF& rect, UINT templateNumber = 0);

    UINT GetTemplateNumber() const { return m_nTemplateNumber; }
    UINT GetCurrentState() const { return m_nCurrentState; }
    // Draws the state's template from now on (the first state's when no state template is
    // found anywhere).
    void SetCurrentState(UINT state);
    // The template drawn with, null when there is none anywhere.
    CQarnAutoShapeTempl* GetTemplate() const;
    // What the auto-shape tool does with a new instance: draw with that template until
    // templates come or go (the number stays the instance's own).
    void SetTemplate(CQarnAutoShapeTempl* templ);
    // Whether the last Initialize found no template for the instance anywhere (and reported
    // it, see shapes/template_missing_report.h).
    bool IsTemplateMissing() const { return m_bTemplateMissing; }

    // After the instance is placed in a document: the document keeps a copy of each
    // installed template the instance uses (refreshed from the installed one when the
    // "Replace Template" setting is on); the instance draws with the installed template, else
    // with the document's copy; with neither the template is reported missing.
    void Initialize(CQarnLayer* layer) override;
    // "<template name>-<id>" while the name is empty and a template is found, kept once made.
    QString GetName() override;

    // The base copy, the template number, state and reserved value, and the template.
    void Copy(const CQarnAutoShape* source);
    CQarnComponent* Clone(CQarnLayer* layer) override;
    // The component base record, a reserved value, the template number, the current state and
    // a reserved 0.
    void Serialize(CArchive& ar) override;

    // The template's elements placed into the rectangle (the frame when null), one per
    // element of each template component, in order; or one element holding the rectangle.
    BOOL CreateElements(RectF* rect) override;
    // Each element takes its template component's closed flag and, as that component says,
    // its own properties or the instance's; it draws lines and fills only where both the
    // instance and the component do. Mode 16 paints with the shadow's brush.
    void InitElements(int mode) override;
    // The template's outline placed into the rectangle (the frame when null).
    void CreatePath(GraphicsPath& path, RectF* rect, PathMode mode) override;
    // The area every element covers as shown: its inside when filled or closed, and its stroke.
    void GetRegion(Region& region) override;
    // Against the region of the elements when a template draws the shape.
    int Intersects(const CRect& rect, CView* view) override;
    // The frame's bounds joined with those of the elements, which may reach outside it.
    CRect GetBoundRect(bool tight) override;
    // Each filled element painted with its shadow brush, placed by the instance's shadow.
    void DrawShadowEffect(Graphics* graphics, CPoint* origin, Matrix* matrix,
                          CQarnShadowFacet* shadow) override;
    // Also finds the template and readies the paints of the parts' own shadows.
    void PrepareForDrawing() override;
    void ExportToSVG(QString* out, QString* folder) override;

    // The five standard anchors first when the template offers them, then the template's
    // anchors placed in the rectangle; the five standard ones without a template.
    int GetAnchorCount() const override;
    PointF GetAnchorPoint(int anchor) const override;
    // A template anchor's stored direction, mirrored with a mirrored frame and flips, and
    // turned with the rotation.
    int GetAnchorDirection(int anchor) const override;
    // The template's text area placed in the rectangle.
    RectF GetTextPosition() const override;

protected:
    bool HitTestShape(PointF point, float tolerance) override;

private:
    // Looks the template up again: the current state's, then the first state's; installed
    // ones first, giving the document a copy when it has none, then the document's copies.
    void Resolve() const;
    // Rebuilds the elements when templates came or went since they were built.
    void EnsureElements();
    bool ElementsCurrent() const;
    // Whether the elements were taken from a template (not the plain rectangle).
    bool DrawsTemplate() const { return m_bFromTemplate; }

    mutable CQarnAutoShapeTempl* m_pTemplate = nullptr;
    mutable bool m_bResolved = false;
    mutable quint64 m_nResolvedGeneration = 0;
    mutable const CQarnDoc* m_pResolvedDoc = nullptr;
    int m_nReserved = 0;
    UINT m_nTemplateNumber = 0;
    UINT m_nCurrentState = 0;
    bool m_bTemplateMissing = false;
    // The template component each element was taken from, while templates stay as they were
    // when the elements were built.
    std::vector<CQarnComponent*> m_ElementSources;
    quint64 m_nElementsGeneration = 0;
    bool m_bElementsBuilt = false;
    bool m_bFromTemplate = false;
};
