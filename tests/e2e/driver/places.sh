# Where the real-window tests point and click on the face: pixels of the
# main window's client area (twips / 15), top-left origin. Sourced by the
# real-window helpers of both programs and by tools/check-installed-clock;
# tests/assets/click_places_test.cpp checks every place against the main
# window's layout table.
door_x=570 door_y=460              # on the closed or open door, off the entry field
field_x=575 field_y=494            # inside the entry field
background_x=700 background_y=100  # on no element: the bare background
exit_x=106 exit_y=271              # the exit control's centre, inside it before and after it grows
