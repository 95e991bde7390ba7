PaginorForm 1
    Width = 10
End
