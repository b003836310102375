#include "core/local_resource.h"

#include "core/library_init.h"
#include "platform/resource_module.h"

CQarnLocalResource::CQarnLocalResource() : saved_(AfxGetResourceHandle()) {
    AfxSetResourceHandle(QarnGetResourceHandle());
}

CQarnLocalResource::~CQarnLocalResource() {
    AfxSetResourceHandle(saved_);
}
