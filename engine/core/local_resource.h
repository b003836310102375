#pragma once
// Makes the library's resource module current for its lifetime and restores the caller's
// afterwards. Every library dialog, menu and message text is built inside one.

class CResourceModule;

class CQarnLocalResource {
public:
    CQarnLocalResource();
    ~CQarnLocalResource();
    CQarnLocalResource(const CQarnLocalResource&) = delete;
    CQarnLocalResource& operator=(const CQarnLocalResource&) = delete;

private:
    CResourceModule* saved_;
};
