#pragma once

// Rounds to two decimals, half away from zero, on the value's decimal expansion taken to 18
// significant digits: 0.125 gives 0.13 (exact tie), 2.675 gives 2.67 (held as 2.67499999999999982…).
// A result of zero is +0, so no "-0,00" is ever shown. Non-finite values come back unchanged.
double IkiHaneYuvarla(double deger);
