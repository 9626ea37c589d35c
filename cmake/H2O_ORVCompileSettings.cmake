# The compile settings of every target this project builds itself: the
# language level its sources are written in, the warnings they keep at zero,
# and the arithmetic. Every expression is evaluated in IEEE double with each
# operation rounded on its own: no fused multiply-add (which compilers for
# aarch64 and others form unasked), so that every platform gives the same
# doubles; never -ffast-math.
# A new target gets them with one line: h2o_orv_compile_settings(<target>).
# They stay PRIVATE, so nothing of them reaches a consumer of the libraries:
# the libraries' results are fixed when their own sources are compiled.
function(h2o_orv_compile_settings target)
  target_compile_features(${target} PRIVATE cxx_std_20)
  target_compile_options(${target} PRIVATE -Wall -Wextra -ffp-contract=off)
endfunction()
