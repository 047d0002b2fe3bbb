#pragma once
#include <functional>

class QWidget;
class TSQLConnection;
class TSonucBilgisi;

// The customer selection for staff and representatives (customer types 1 and 2), shown modally by
// the login with its counters filled; it may change the customer of `bilgim`. False (anything but
// OK) makes the login end the process.
//
// PLACEHOLDER until the representative tools install their dialog with CariSecimiAcIsleviAyarla:
// keeps the workstation's own customer and answers true.
using CariSecimiAcIslevi = std::function<bool(QWidget* sahip, TSQLConnection& baglanti, TSonucBilgisi& bilgim)>;
void CariSecimiAcIsleviAyarla(CariSecimiAcIslevi islev);
bool CariSecimiAc(QWidget* sahip, TSQLConnection& baglanti, TSonucBilgisi& bilgim);
