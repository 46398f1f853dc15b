[Save]
PatrolArea=AN41
Position=54.7,-14.0
