[Save]
PatrolArea=AN32
Position=55.1,-12.4
