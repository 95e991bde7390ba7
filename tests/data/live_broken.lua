Print("unfinished"
