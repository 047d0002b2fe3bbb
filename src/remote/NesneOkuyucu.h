#pragma once
#include "JsonDugum.h"

#include <map>

class TTransferNesnesi;

// Fills a transfer object from its type/id/fields form. Objects met before within the same value
// are remembered by id so that {"type":…,"ref":n} resolves to them. Unknown members are ignored, a
// missing member keeps the field's default, a member of the wrong kind is an EProtocolError.
class NesneOkuyucu {
public:
    void Oku(const JsonDugum& json, TTransferNesnesi& hedef);

private:
    const JsonDugum& cozumle(const JsonDugum& json, const char* beklenenTip);
    std::map<std::int64_t, const JsonDugum*> idler_;
};
