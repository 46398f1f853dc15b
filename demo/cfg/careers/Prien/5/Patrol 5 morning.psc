[Save]
PatrolArea=AN41
Position=55.1,-12.4
