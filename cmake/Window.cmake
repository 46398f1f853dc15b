# The Qt window and the KelmarPatrol program; filled in with the window.
