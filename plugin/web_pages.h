// The two web pages the rollout's buttons open. Absolute addresses, defined once.
#pragma once

#include <strbasic.h>

// The plug-in's home page.
inline constexpr const MCHAR kHomePageAddress[] = _M("https://veltrane.example.com/");

// The start page of the public database of refractive indices of materials.
inline constexpr const MCHAR kReferencePageAddress[] = _M("https://refractiveindex.info/");
