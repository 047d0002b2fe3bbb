#pragma once
#include "DemoContext.h"
#include "SonucBilgisi.h"

class MethodRegistry;

// BuyukGetir (the sign-in record of a workstation) and MobilCariBilgisiGetir (its account data).
class SignInMethods {
public:
    explicit SignInMethods(DemoContext& ctx) : ctx_(ctx) {}
    void registerMethods(MethodRegistry& registry);

    // The stored record of a workstation; FVarmi false (and FVersion 5) when it is unknown.
    SonucBilgisi recordFor(const QString& idsi);

private:
    int registerWorkstation(const QString& idsi);

    DemoContext& ctx_;
};
