[playlist]
NumberOfEntries=3
File1={{BASE}}radio/missing.mp3
Title1=Velmora Live (gone)
File2={{BASE}}radio/live.mp3
Title2=Velmora Live
Length2=-1
File3={{BASE}}radio/icy.mp3
Title3=Velmora Live (ICY)
Length3=-1
Version=2
