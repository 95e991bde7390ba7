PaginorForm 1
Begin Form F
    Begin  Form x
        Left = 1
    End
    Begin Form y
    End
End
