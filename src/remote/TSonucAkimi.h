#pragma once
#include <QByteArray>

#include <algorithm>
#include <cstdint>
#include <optional>

// A stream result, owned by the command that received it. Read from its start like a file.
class TSonucAkimi {
public:
    explicit TSonucAkimi(QByteArray veri) : veri_(std::move(veri)) {}

    std::int64_t Size() const { return veri_.size(); }
    std::int64_t Position() const { return konum_; }
    void SetPosition(std::int64_t k) { konum_ = std::clamp<std::int64_t>(k, 0, veri_.size()); }
    // Copies up to `adet` bytes from the position; answers how many were copied (0 at the end).
    std::int64_t Read(char* hedef, std::int64_t adet);
    int OkumaSayisi() const { return okumalar_; }

    // Reads a stream in 1024-byte pieces until a piece comes back short; the bytes are used only
    // when their count equals the announced size (nothing otherwise, and no message).
    static std::optional<QByteArray> Oku(TSonucAkimi* akim, std::int64_t boy);

private:
    QByteArray veri_;
    std::int64_t konum_ = 0;
    int okumalar_ = 0;
};
