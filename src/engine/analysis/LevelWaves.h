#pragma once

namespace varn {

struct Profile;

// The waves of a profile's log ratio (the hybridisation's response to the local GC content, a
// few hundredths over hundreds of kilobases on every array): the SD of the mean log ratio of
// stretches of kWaveWindow SNPs beyond what its noise alone gives it, from the differences of
// neighbouring stretches along the autosomes of one of its arrays (their median, so that the
// few stretches across a change of copy number do not count). In the profile's units; 0 where
// the waves stay within the noise. A dense array resolves them as segments of their own, which no
// copy number explains: the joint fit takes them as the error of its level model.
double levelWaves(const Profile& profile, int array);

// Statistical support: a stretch's mean rests on this many SNPs (its noise a tenth of one SNP's).
inline constexpr int kWaveWindow = 100;

} // namespace varn
