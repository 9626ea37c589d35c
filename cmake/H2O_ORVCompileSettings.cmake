# The compile settings of every target this project builds itself: the
# language level its sources are written in and the warnings they keep at zero.
# A new target gets them with one line: h2o_orv_compile_settings(<target>).
# They stay PRIVATE, so nothing of them reaches a consumer of the libraries.
function(h2o_orv_compile_settings target)
  target_compile_features(${target} PRIVATE cxx_std_20)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
endfunction()
