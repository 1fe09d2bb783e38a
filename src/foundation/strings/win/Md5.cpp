#include "foundation/strings/Md5.h"

#include "foundation/objects/Pools.h"
#include "foundation/strings/StrBuffer.h"

#include <windows.h>

#include <wincrypt.h>

namespace s::str {

namespace {

class CryptoMd5 : public IDigester {
public:
    CryptoMd5() {
        if (CryptAcquireContextW(&provider_, nullptr, nullptr, PROV_RSA_FULL,
                                 CRYPT_VERIFYCONTEXT) &&
            !CryptCreateHash(provider_, CALG_MD5, 0, 0, &hash_))
            hash_ = 0;
    }
    ~CryptoMd5() override {
        if (hash_ != 0)
            CryptDestroyHash(hash_);
        if (provider_ != 0)
            CryptReleaseContext(provider_, 0);
    }
    CryptoMd5(const CryptoMd5&) = delete;
    CryptoMd5& operator=(const CryptoMd5&) = delete;

    void update(const void* bytes, std::uint32_t n) override {
        if (hash_ != 0 && n != 0)
            CryptHashData(hash_, static_cast<const BYTE*>(bytes), n, 0);
    }

    IStr* result(std::int32_t, std::int32_t) override {
        auto* text = thread::take<StrBuffer>();
        BYTE digest[16];
        DWORD size = sizeof digest;
        if (hash_ != 0 && CryptGetHashParam(hash_, HP_HASHVAL, digest, &size, 0))
            text->appendHex8(digest, size);
        return text;
    }

private:
    HCRYPTPROV provider_ = 0;
    HCRYPTHASH hash_ = 0;
};

} // namespace

IDigester* createMd5Digester() {
    return new CryptoMd5;
}

} // namespace s::str
