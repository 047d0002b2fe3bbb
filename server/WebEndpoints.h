#pragma once
#include "DemoContext.h"
#include "HttpRequest.h"
#include "HttpResponse.h"

// The pages outside the remote methods: /ip, the registration page formmailgonder.aspx, the
// payment page Brimola.html, the installer /exe/OrvakSetup.exe and a small home page.
class WebEndpoints {
public:
    explicit WebEndpoints(DemoContext& ctx) : ctx_(ctx) {}
    HttpResponse handle(const QString& name, const HttpRequest& request);

private:
    DemoContext& ctx_;
};
