#pragma once
// The Cent->Euro calculator's two directions.

namespace dudode {

inline double CentsToEuro(double cents) {
  return cents / 100.0;
}
inline double EuroToCents(double euro) {
  return euro * 100.0;
}

}  // namespace dudode
