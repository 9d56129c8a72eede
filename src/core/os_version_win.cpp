#include "core/os_version.h"

#include <cstring>

const CKXOSVersionInfo& CKXOSVersionInfo::Get() {
    static const CKXOSVersionInfo s_info;
    return s_info;
}

CKXOSVersionInfo::CKXOSVersionInfo() : OSVERSIONINFOA() {
    std::memset(static_cast<OSVERSIONINFOA*>(this), 0, sizeof(OSVERSIONINFOA));
    dwOSVersionInfoSize = 148;
    static_assert(sizeof(OSVERSIONINFOA) == 148, "the narrow version record is 148 bytes");
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    ::GetVersionExA(this);
#pragma GCC diagnostic pop
}

CKXOSVersionInfo::CKXOSVersionInfo(const OSVERSIONINFOA& info) : OSVERSIONINFOA(info) {
    dwOSVersionInfoSize = 148;
}

CKXOSVersionInfo& CKXOSVersionInfo::operator=(const CKXOSVersionInfo& other) {
    if (this != &other) std::memcpy(static_cast<OSVERSIONINFOA*>(this), &other, sizeof(OSVERSIONINFOA));
    return *this;
}
