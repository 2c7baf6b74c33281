# Draws the icons in icons/ (run by hand: build the target, then `make-icons icons`).
add_executable(make-icons tools/MakeIcons.cpp)
