#pragma once
#include "DemoFault.h"

#include <QString>

// The text form of a fault, as given to --fault:
//   <Method>:<item>[,<item>...]   items: delay=<ms>  malformed  stream=<delta>  drop
//                                        times=<n>  error=<message>
// error= comes last and takes the rest of the text, commas included.
// Example: "SepetEkle2:delay=1500,times=2"  "BuyukGetir:error=Sunucu bakımda, sonra deneyin"
class DemoFaultParser {
public:
    static bool parse(const QString& spec, QString* method, DemoFault* fault, QString* error);
};
