#pragma once
#include "EHata.h"

// Errors of the remote layer. All derive from ERemoteError, an EHata: the ordinary error kind that
// BaglantiKontrol and the page handlers catch; the text is what the user is shown.
class ERemoteError : public EHata {
    using EHata::EHata;
};

// Server unreachable, refused, timed out, or the connection dropped mid-reply.
class EConnectionError : public ERemoteError {
    using ERemoteError::ERemoteError;
};

// The server raised an error; the text is its message exactly.
class EServerError : public ERemoteError {
    using ERemoteError::ERemoteError;
};

// The reply is not of the shape the method promises.
class EProtocolError : public ERemoteError {
    using ERemoteError::ERemoteError;
};

// 401 or a 403 other than an expired session.
class EAuthError : public ERemoteError {
    using ERemoteError::ERemoteError;
};

// 404/501: wrong address or unknown method (a deployment fault).
class EConfigError : public ERemoteError {
    using ERemoteError::ERemoteError;
};
