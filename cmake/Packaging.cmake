# Installation and the .deb package; filled in with the packaging.
