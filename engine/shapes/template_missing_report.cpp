#include "shapes/template_missing_report.h"

namespace Qarn {

namespace {

TemplateMissingReporter& Reporter() {
    static TemplateMissingReporter reporter = nullptr;
    return reporter;
}

}  // namespace

TemplateMissingReporter SetTemplateMissingReporter(TemplateMissingReporter reporter) {
    const TemplateMissingReporter before = Reporter();
    Reporter() = reporter;
    return before;
}

void ReportTemplateMissing(CQarnAutoShape* shape) {
    if (TemplateMissingReporter reporter = Reporter()) {
        reporter(shape);
    }
}

}  // namespace Qarn
