#pragma once
// Constants of the DataSnap-REST subset spoken between the client and the application server.

namespace protokol {

inline constexpr int kVarsayilanPort = 9090;
inline constexpr const char* kDatasnapContext = "datasnap/";
inline constexpr const char* kRestYolu = "rest/";
inline constexpr const char* kSunucuSinifi = "TServerMethods1";
inline constexpr const char* kPlatformAdiYolu = "DSAdmin/GetPlatformName/";
inline constexpr const char* kOturumKapatYolu = "CloseSession/";
inline constexpr const char* kPragmaOturum = "dssession";

// Limits of one open attempt and of one call (milliseconds, bytes).
inline constexpr long kAcmaBaglantiSuresiMs = 2000;
inline constexpr long kAcmaToplamSureMs = 5000;
inline constexpr long kKapatmaSuresiMs = 2000;
inline constexpr long kCagriBaglantiSuresiMs = 5000;
inline constexpr long kCagriSessizlikSuresiSn = 60;
inline constexpr long long kEnBuyukYanit = 512LL * 1024 * 1024;

// dbxType codes of a table column descriptor.
enum DbxTipi : int {
    DbxAnsiString = 1,
    DbxDate = 2,
    DbxBoolean = 4,
    DbxInt16 = 5,
    DbxInt32 = 6,
    DbxDouble = 7,
    DbxBcd = 8,
    DbxDateTime = 11,
    DbxInt64 = 18,
    DbxTimeStamp = 24,
    DbxCurrency = 25,
    DbxWideString = 26,
};

} // namespace protokol
