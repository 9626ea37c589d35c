# find_package(H2O_ORV) gives the imported targets H2O::TFS and H2O::Tabl1.
include(${CMAKE_CURRENT_LIST_DIR}/H2O_ORVTargets.cmake)
