PaginorForm 1
Begin Form Live
    Width = 1800
    Height = 1200
    BackColor = &H8000000F&
    Begin PaginorV2CTL.O2007Hover hOne
        Left = 240
        Top = 240
        Width = 480
        Height = 480
        NormalImage = Picture {
            iVBORw0KGgoAAAANSUhEUgAAABAAAAAQCAYAAAAf8/9hAAAAOUlEQVR42mNgoDbQ
            iDrRgA+Tovk/GsZvCB6NWA0iVzN2Q6hlwH8S8XA0YABjgeKERJWkTJXMRA4AAEiD
            a1jKuX95AAAAAElFTkSuQmCC
        }
        InactiveImage = Picture {
            iVBORw0KGgoAAAANSUhEUgAAABAAAAAQCAYAAAAf8/9hAAAANklEQVR42mNgoDZo
            IABI0fwfDeM3BI9GrAaRqxm7IdQy4D+JeDgaMICxQHFCokpSpkpmIgcAAHy9j6Cu
            ZcB7AAAAAElFTkSuQmCC
        }
        HoverImage = Picture {
            iVBORw0KGgoAAAANSUhEUgAAABAAAAAQCAYAAAAf8/9hAAAAOUlEQVR42mNgoDb4
            ME2kAR8mRfN/NIzfEDwasRpErmbshlDLgP8k4uFowADGAsUJiSpJmSqZiRwAAJcl
            oRggn2QsAAAAAElFTkSuQmCC
        }
        BackColor = Colour &H8000000F&
        Enabled = Boolean True
        HoverText = String ""
        HoverInactive = Boolean True
    End
End
