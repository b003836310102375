#pragma once
// Encapsulated PostScript made from the PostScript of one printed page: the header becomes
// "%!PS-Adobe-3.0 EPSF-3.0", everything after the document's end goes, and, when the box to
// publish is known, the page's bounding box gives way to the box of the drawing (or of the
// selection) with a margin of 4 points all round.

#include <QByteArray>
#include <QString>

#include "platform/crect.h"

class CEpsRewriter {
public:
    // A box in PostScript points, origin at the bottom left of the page.
    struct PointBox {
        int llx = 0;
        int lly = 0;
        int urx = 0;
        int ury = 0;
        bool operator==(const PointBox&) const = default;
    };

    // Where `box` (document units, 1/100 inch, from the top left of the page) lies on a page
    // whose bounding box is `page`, widened by 4 points on every side. Integer arithmetic,
    // as the bounding box comment takes whole points.
    static PointBox ComputeBoundingBox(const CRect& box, const PointBox& page);

    // Whether the box is large enough to publish (at least one unit each way).
    static bool IsPublishable(const CRect& box);

    // Rewrites `postScript` as EPS into *eps. With a null `box` the driver's bounding box
    // stays. False with *error when the text is not PostScript, or when a box is given but
    // the page has no bounding box to place it on.
    static bool Rewrite(const QByteArray& postScript, const CRect* box, QByteArray* eps,
                        QString* error);

    // The page's box: "%%PageBoundingBox: llx lly urx ury" (the first page's), else, in the
    // EPS a converter writes of one page, its "%%BoundingBox"; false when neither is there.
    static bool FindPageBoundingBox(const QByteArray& postScript, PointBox* page);
};
